// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPointer>

namespace quantell {

class Info;
class MainForm;
class StartDialog;

// Qt's own texts (edit menus, message box buttons, what readers are told of actions) in
// Japanese, as the windows are, whatever the system's language; number formats still follow
// the system. Without Qt's catalogue they stay English. False then.
bool installQtJapanese();

// Owns the program's windows, each at most one at a time. Constructing it starts the
// program: the splash shows at once and opens the main window on its tick. Windows delete
// themselves when closed; the program ends when the last of them has gone.
class Shell : public QObject {
    Q_OBJECT
public:
    Shell();
    ~Shell() override;

    // The windows that are open now, or null.
    StartDialog* startDialog() const;
    MainForm* mainForm() const;
    Info* info() const;

public slots:
    // ComInfo: opens the about window, or brings the open one to the front.
    void showInfo();

private:
    void showMainForm();

    QPointer<StartDialog> m_startDialog;
    QPointer<MainForm> m_mainForm;
    QPointer<Info> m_info;
};

} // namespace quantell
