// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "StartDialog.h"

#include "look/Layout.h"
#include "look/Window.h"
#include "platform/Platform.h"
#include "resources/Icons.h"
#include "resources/Product.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace quantell {

namespace {

constexpr QSize kStartDialogTwips{5265, 1875};

// Every control but the frame lies inside Frame1, placed from its corner; every label sizes
// itself to its text.
// clang-format off
const ControlSpec kFrame{.name = "Frame1", .twips = {120, 0, 5040, 1770}};
const ControlSpec kLogo{.name = "imgLogo", .twips = {600, 840, 480, 480}};
const ControlSpec kLabels[] = {
    {.name = "lblCompanyProduct", .twips = {360, 240, 0, 0}, .text = product::maker, .face = {uiGothic, 12, true}, .alignment = Qt::AlignLeft},
    {.name = "lblProductName", .twips = {1560, 480, 0, 0}, .text = product::name, .face = {uiGothic, 26.25, true}, .colour = QColor(0, 0, 192), .alignment = Qt::AlignLeft},
    {.name = "lblPlatform", .twips = {1680, 1080, 0, 0}, .text = platform::caption, .face = {uiGothic, 12, true}, .alignment = Qt::AlignRight},
    {.name = "lblVersion", .twips = {3360, 1080, 0, 0}, .text = product::versionCaption, .face = {proportionalGothic, 12, true}, .alignment = Qt::AlignRight},
    {.name = "lblCopyright", .twips = {1560, 1440, 0, 0}, .text = product::copyright, .alignment = Qt::AlignLeft},
};
// clang-format on

} // namespace

StartDialog::StartDialog() {
    setUpWindow(this, "StartDialog", Qt::SplashScreen | Qt::FramelessWindowHint, kStartDialogTwips);
    setAccessibleName(product::name);

    auto* frame = placed(new QFrame(this), kFrame);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    placed(new QLabel(frame), kLogo)->setPixmap(QApplication::windowIcon().pixmap(kIconPixels));
    placeLabels(frame, kLabels);

    auto* timer = new QTimer(this);
    timer->setObjectName("Timer1");
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &StartDialog::handOver);
    timer->start(2000);
}

void StartDialog::handOver() {
    // The main window is up before the splash goes, so the program never stands without one.
    emit mainFormRequested();
    hide();
    deleteLater();
}

void StartDialog::closeEvent(QCloseEvent* event) {
    // A splash does not keep the program alive; closing it before the tick would leave the
    // program running with no window at all, so it stays until the tick removes it.
    event->ignore();
}

} // namespace quantell
