#include "StartDialog.h"

#include "ShellLook.h"
#include "look/WindowLook.h"
#include "platform/Platform.h"
#include "resources/Product.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace quantell {

namespace {

// Positions are relative to Frame1; every label sizes itself to its text.
// clang-format off
const LabelRow labels[] = {
    {.name = "lblCompanyProduct", .text = product::maker, .twips = {360, 240, 0, 0}, .face = uiGothic, .points = 12, .bold = true},
    {.name = "lblProductName", .text = product::name, .twips = {1560, 480, 0, 0}, .face = uiGothic, .points = 26.25, .bold = true, .colour = QColor(0, 0, 192)},
    {.name = "lblPlatform", .text = platform::caption, .twips = {1680, 1080, 0, 0}, .face = uiGothic, .points = 12, .bold = true, .alignment = Qt::AlignRight},
    {.name = "lblVersion", .text = product::versionCaption, .twips = {3360, 1080, 0, 0}, .face = proportionalGothic, .points = 12, .bold = true, .alignment = Qt::AlignRight},
    {.name = "lblCopyright", .text = product::copyright, .twips = {1560, 1440, 0, 0}},
};
// clang-format on

} // namespace

StartDialog::StartDialog() {
    setUpWindow(this, "StartDialog", Qt::SplashScreen | Qt::FramelessWindowHint, {5265, 1875});
    setAccessibleName(product::name);

    auto* frame = new QFrame(this);
    frame->setObjectName("Frame1");
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setGeometry(pixels(120), 0, pixels(5040), pixels(1770));

    auto* logo = new QLabel(frame);
    logo->setObjectName("imgLogo");
    logo->setPixmap(QApplication::windowIcon().pixmap(iconPixels));
    logo->setGeometry(pixels(600), pixels(840), iconPixels, iconPixels);

    addLabels(frame, labels);

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
