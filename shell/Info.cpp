// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "Info.h"

#include "Licences.h"
#include "look/Layout.h"
#include "look/Window.h"
#include "resources/Icons.h"
#include "resources/Product.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace quantell {

namespace {

constexpr QSize kInfoTwips{5040, 2910};

// clang-format off
const ControlSpec kIcon{.name = "picIcon", .twips = {240, 240, 540, 540}};
// The engraved separator: a grey line with a white one just below it.
const ControlSpec kLines[] = {
    {.name = "Line1(1)", .twips = {96, 1845, 4856, 15}, .fill = QColor(128, 128, 128)},
    {.name = "Line1(0)", .twips = {96, 1860, 4856, 30}, .fill = QColor(255, 255, 255)},
};
const ControlSpec kOk{.name = "cmdOK", .twips = {3600, 2400, 1215, 375}, .text = "OK", .tabIndex = 0};
// Qt, named where our copyright is shown, as its licence asks; a link to the licences.
const ControlSpec kLicence{.name = "cmdLicence", .twips = {240, 2340, 3240, 330}, .text = QStringLiteral("Qt © The Qt Company Ltd. LGPL-3.0"), .face = {proportionalGothic, 9}, .tabIndex = 1};
const ControlSpec kLabels[] = {
    {.name = "lblTitle", .twips = {1050, 240, 2925, 495}, .text = product::name, .face = {uiGothic, 24, true}, .colour = QColor(0, 0, 255), .alignment = Qt::AlignLeft},
    {.name = "lblVersion", .twips = {3360, 780, 1365, 225}, .text = product::versionCaption, .face = {uiGothic, 12}, .alignment = Qt::AlignLeft},
    {.name = "lblDescription", .twips = {1200, 1200, 2925, 450}, .text = product::description, .face = {proportionalGothic, 11.25}, .colour = Qt::black, .alignment = Qt::AlignLeft | Qt::AlignTop, .wrap = true},
    {.name = "Label1", .twips = {600, 2040, 4095, 255}, .text = product::copyright, .alignment = Qt::AlignLeft},
};
// clang-format on

// The window's texts and picture label the window itself. Readers hear its texts together, as its
// description, when it opens, not one by one: they read a window's loose labels only from three
// words up, and a Japanese sentence is one word to them.
class WindowTextAccessible : public QAccessibleWidget {
public:
    explicit WindowTextAccessible(QLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override {
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override {
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? label()->text() : text;
    }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        if (!(match & QAccessible::Label))
            return {};
        return {{QAccessible::queryAccessibleInterface(widget()->window()), QAccessible::Label}};
    }

private:
    const QLabel* label() const { return static_cast<const QLabel*>(widget()); }
};

QAccessibleInterface* windowTextInterface(const QString&, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    return label && qobject_cast<Info*>(label->parentWidget()) ? new WindowTextAccessible(label)
                                                               : nullptr;
}

} // namespace

Info::Info() {
    static const bool readable = (QAccessible::installFactory(windowTextInterface), true);
    static_cast<void>(readable);
    setUpWindow(this, "Info",
                Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                    Qt::WindowCloseButtonHint,
                kInfoTwips);
    setWindowTitle(QStringLiteral("アプリケーション情報・著作権表示"));
    // A tool window does not keep the program alive by itself; this one must while it is
    // open, also after the main window has gone.
    setAttribute(Qt::WA_QuitOnClose);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* icon = placed(new QLabel(this), kIcon);
    icon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    icon->setLineWidth(2);
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(QApplication::windowIcon().pixmap(kIconPixels));
    icon->setAccessibleName(QStringLiteral("%1 のアイコン").arg(product::name));

    for (const ControlSpec& line : kLines)
        placed(new QWidget(this), line);

    // OK is both the default button (Enter) and the cancel button (Esc).
    m_ok = placed(new QPushButton(this), kOk);
    m_ok->setAccessibleName(kOk.text);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);
    m_ok->setFocus();

    auto* licence = placed(new QPushButton(this), kLicence);
    licence->setToolTip(QStringLiteral("ライセンス表示を開きます"));
    connect(licence, &QPushButton::clicked, this,
            [this] { showOnce(m_licences, [this] { return new Licences(this); }); });

    QStringList texts;
    for (const QLabel* label : placeLabels(this, kLabels))
        texts << label->text();
    setAccessibleDescription(texts.join(u' '));
}

void Info::keyPressEvent(QKeyEvent* event) {
    if (!clickForEnterOrEsc(event, m_ok, m_ok))
        QDialog::keyPressEvent(event);
}

} // namespace quantell
