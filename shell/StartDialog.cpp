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
    {"lblCompanyProduct", product::maker, {360, 240, 0, 0}, uiGothic, 12, true},
    {"lblProductName", product::name, {1560, 480, 0, 0}, uiGothic, 26.25, true, qRgb(0, 0, 192)},
    {"lblPlatform", platform::caption, {1680, 1080, 0, 0}, uiGothic, 12, true, 0, Qt::AlignRight},
    {"lblVersion", product::versionCaption, {3360, 1080, 0, 0}, proportionalGothic, 12, true, 0, Qt::AlignRight},
    {"lblCopyright", product::copyright, {1560, 1440, 0, 0}, nullptr},
};
// clang-format on

} // namespace

StartDialog::StartDialog()
    : QWidget(nullptr,
              Qt::SplashScreen | Qt::FramelessWindowHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("StartDialog");
    setFont(windowFont());
    keepLightLook(this);
    setAccessibleName(product::name);
    setFixedSize(pixels(5265), pixels(1875));

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

    centreOnScreen(this);
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
