// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

class QCloseEvent;

namespace quantell {

// The splash window the program opens with; two seconds later it hands over to the main
// window and goes.
class StartDialog : public QWidget {
    Q_OBJECT
public:
    StartDialog();

public slots:
    // The timer's tick: asks for the main window, then removes the splash.
    void handOver();

signals:
    void mainFormRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace quantell
