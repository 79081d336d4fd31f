// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "Licences.h"

#include "look/Layout.h"
#include "look/Window.h"
#include "platform/Platform.h"
#include "resources/Product.h"

#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quantell {

namespace {

constexpr QSize kLicencesTwips{8700, 5400};

// clang-format off
const ControlSpec kText{.name = "txtLicences", .twips = {120, 120, 8460, 4560}, .face = {proportionalGothic, 9}, .tabIndex = 0};
const ControlSpec kAboutQt{.name = "cmdAboutQt", .twips = {5460, 4800, 1455, 375}, .text = "Qt について", .tabIndex = 1};
const ControlSpec kClose{.name = "cmdClose", .twips = {7020, 4800, 1455, 375}, .text = "閉じる", .tabIndex = 2};
// clang-format on

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Text)
               ? QString::fromUtf8(file.readAll())
               : QStringLiteral("（%1 が見つかりません）\n").arg(path);
}

// Each licence under its heading: ours first, then those of what the program runs on.
QString licenceTexts() {
    QString text = QStringLiteral("■ %1\n\n").arg(product::name) + fileText(":/LICENSE");
    for (const QString& path : platform::licenceFiles())
        text += QStringLiteral("\n■ %1\n\n").arg(path) + fileText(path);
    return text;
}

} // namespace

Licences::Licences(QWidget* parent) : QDialog(parent) {
    setUpWindow(this, "Licences",
                Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                    Qt::WindowCloseButtonHint,
                kLicencesTwips);
    setWindowTitle(QStringLiteral("ライセンス表示"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* text = placed(new QPlainTextEdit(this), kText);
    text->setReadOnly(true);
    text->setTabChangesFocus(true);
    text->setAccessibleName(windowTitle());
    text->setPlainText(licenceTexts());
    auto* aboutQt = placed(new QPushButton(this), kAboutQt);
    aboutQt->setAutoDefault(true);
    connect(aboutQt, &QPushButton::clicked, this, [this] { QMessageBox::aboutQt(this); });
    auto* close = placed(new QPushButton(this), kClose);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    text->setFocus();
}

} // namespace quantell
