#pragma once

#include <QWidget>

class QKeyEvent;
class QPushButton;

namespace quantell {

// The about window: product, version, what the program does and the copyright.
class Info : public QWidget {
    Q_OBJECT
public:
    Info();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* m_ok;
};

} // namespace quantell
