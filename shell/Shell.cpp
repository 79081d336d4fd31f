// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "Shell.h"

#include "Info.h"
#include "StartDialog.h"
#include "look/Window.h"
#include "mainwindow/MainForm.h"
#include "platform/Platform.h"
#include "resources/Icons.h"

#include <QApplication>
#include <QTranslator>

namespace quantell {

bool installQtJapanese() {
    auto* catalogue = new QTranslator(qApp);
    if (catalogue->load(QStringLiteral("qtbase_ja"), platform::qtCataloguesDir()) &&
        QCoreApplication::installTranslator(catalogue))
        return true;
    delete catalogue;
    return false;
}

Shell::Shell() {
    // The application icon: the windows' own, the splash logo and the about window's picture,
    // decoded once for all of them.
    QApplication::setWindowIcon(resourceIcon("app"));
    m_startDialog = new StartDialog;
    connect(m_startDialog, &StartDialog::mainFormRequested, this, &Shell::showMainForm);
    m_startDialog->show();
}

Shell::~Shell() {
    delete m_info;
    delete m_mainForm;
    delete m_startDialog;
}

StartDialog* Shell::startDialog() const {
    return m_startDialog;
}

MainForm* Shell::mainForm() const {
    return m_mainForm;
}

Info* Shell::info() const {
    return m_info;
}

void Shell::showMainForm() {
    m_mainForm = new MainForm;
    m_mainForm->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_mainForm, &MainForm::aboutRequested, this, &Shell::showInfo);
    m_mainForm->show();
}

void Shell::showInfo() {
    showOnce(m_info, [] { return new Info; });
}

} // namespace quantell
