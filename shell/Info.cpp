#include "Info.h"

#include "ShellLook.h"
#include "look/WindowLook.h"
#include "resources/Product.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace quantell {

namespace {

// clang-format off
const LabelRow labels[] = {
    {"lblTitle", product::name, {1050, 240, 2925, 495}, uiGothic, 24, true, qRgb(0, 0, 255)},
    {"lblVersion", product::versionCaption, {3360, 780, 1365, 225}, uiGothic, 12},
    {"lblDescription", "ヤード・ポンド法×メートル法の簡単な単位変換ソフトです。",
     {1200, 1200, 2925, 450}, proportionalGothic, 11.25, false, qRgb(0, 0, 0), Qt::AlignLeft | Qt::AlignTop, true},
    {"Label1", product::copyright, {600, 2040, 4095, 255}, nullptr},
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

Info::Info()
    : QWidget(nullptr, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("Info");
    setFont(windowFont());
    keepLightLook(this);
    setWindowTitle(QStringLiteral("アプリケーション情報・著作権表示"));
    setFixedSize(pixels(5040), pixels(2910));
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

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName("cmdOK");
    m_ok->setAccessibleName(QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_ok->setGeometry(pixels(3600), pixels(2400), pixels(1215), pixels(375));
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);
    m_ok->setFocus();

    addLabels(this, labels);
    centreOnScreen(this);
}

void Info::keyPressEvent(QKeyEvent* event) {
    // OK is both the default and the cancel button.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        m_ok->click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace quantell
