#pragma once

#include <QDialog>

namespace quantell {

// The about window: product, version, what the program does and the copyright. A dialog, so
// that Enter and Esc close it through its one button.
class Info : public QDialog {
    Q_OBJECT
public:
    Info();
};

} // namespace quantell
