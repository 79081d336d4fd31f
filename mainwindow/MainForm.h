#pragma once

#include <QWidget>

namespace quantell {

class Messenger;

// The working window: four kind columns, the command row and the report box.
class MainForm : public QWidget {
    Q_OBJECT
public:
    explicit MainForm(Messenger* messenger = nullptr, QWidget* parent = nullptr);

signals:
    // ComInfo: whoever owns the windows shows the one about window.
    void aboutRequested();
};

} // namespace quantell
