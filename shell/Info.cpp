#include "Info.h"

#include "ShellLook.h"
#include "look/WindowLook.h"
#include "resources/Product.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace quantell {

namespace {

// clang-format off
const LabelRow labels[] = {
    {.name = "lblTitle", .text = product::name, .twips = {1050, 240, 2925, 495}, .face = uiGothic, .points = 24, .bold = true, .colour = QColor(0, 0, 255)},
    {.name = "lblVersion", .text = product::versionCaption, .twips = {3360, 780, 1365, 225}, .face = uiGothic, .points = 12},
    {.name = "lblDescription", .text = "ヤード・ポンド法×メートル法の簡単な単位変換ソフトです。", .twips = {1200, 1200, 2925, 450}, .face = proportionalGothic, .points = 11.25, .colour = Qt::black, .alignment = Qt::AlignLeft | Qt::AlignTop, .wrap = true},
    {.name = "Label1", .text = product::copyright, .twips = {600, 2040, 4095, 255}},
};
// clang-format on

// The engraved separator: a grey line with a white one just below it.
struct LineRow {
    const char* name;
    int y, thickness; // twips, pixels
    QRgb colour;
};
const LineRow lines[] = {
    {"Line1(1)", 1845, 1, qRgb(128, 128, 128)},
    {"Line1(0)", 1860, 2, qRgb(255, 255, 255)},
};
constexpr int lineLeft = 96, lineRight = 4952;

} // namespace

Info::Info() {
    setUpWindow(this, "Info",
                Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                    Qt::WindowCloseButtonHint,
                {5040, 2910});
    setWindowTitle(QStringLiteral("アプリケーション情報・著作権表示"));
    // A tool window does not keep the program alive by itself; this one must while it is
    // open, also after the main window has gone.
    setAttribute(Qt::WA_QuitOnClose);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* icon = new QLabel(this);
    icon->setObjectName("picIcon");
    icon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    icon->setLineWidth(2);
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(QApplication::windowIcon().pixmap(iconPixels));
    icon->setGeometry(pixels(240), pixels(240), pixels(540), pixels(540));

    for (const LineRow& row : lines) {
        auto* line = new QWidget(this);
        line->setObjectName(row.name);
        line->setAutoFillBackground(true);
        setColour(line, QPalette::Window, row.colour);
        line->setGeometry(pixels(lineLeft), pixels(row.y), pixels(lineRight) - pixels(lineLeft),
                          row.thickness);
    }

    // OK is both the default button (Enter) and, as Esc closes a dialog, the cancel button.
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("cmdOK");
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setDefault(true);
    ok->setGeometry(pixels(3600), pixels(2400), pixels(1215), pixels(375));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    ok->setFocus();

    addLabels(this, labels);
}

} // namespace quantell
