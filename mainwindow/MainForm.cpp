#include "MainForm.h"

#include "KindLook.h"
#include "Layout.h"
#include "LockedComboBox.h"
#include "ResultLabel.h"
#include "engine/Conversion.h"
#include "look/Messenger.h"
#include "look/Twips.h"
#include "look/WindowLook.h"
#include "platform/Platform.h"
#include "report/ReportActions.h"
#include "report/ReportBlock.h"
#include "resources/Icons.h"
#include "resources/Product.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>

namespace quantell {

namespace {

const QColor kActiveShade(255, 255, 255);
const QColor kInactiveShade(204, 204, 204);

// The widget of a control's type, with what its type needs beyond the layout.
QWidget* newControl(const ControlSpec& control, QWidget* parent) {
    switch (control.type) {
    case ControlType::Button: {
        auto* button = new QPushButton(control.text, parent);
        button->setAutoDefault(true); // a focused button takes Enter itself
        return button;
    }
    case ControlType::Option:
        return new QRadioButton(control.text, parent);
    case ControlType::Amount:
        return new QLineEdit(parent);
    case ControlType::UnitList:
        return new QComboBox(parent);
    case ControlType::LockedUnitList:
        return new LockedComboBox(parent);
    case ControlType::Result: {
        auto* label = new ResultLabel(QString(), parent);
        label->setAutoFillBackground(true);
        setColour(label, QPalette::Window, kActiveShade);
        return label;
    }
    case ControlType::UnitName:
        return new QLabel(parent);
    case ControlType::Title: {
        auto* label = new QLabel(control.text, parent);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(uiGothic(18, true));
        return label;
    }
    case ControlType::Report: {
        auto* box = new QPlainTextEdit(parent);
        box->setTabChangesFocus(true);
        box->setFont(proportionalGothic(9));
        return box;
    }
    }
    return nullptr;
}

QWidget* createControl(const ControlSpec& control, QWidget* parent) {
    QWidget* widget = newControl(control, parent);
    widget->setObjectName(control.name);
    widget->setGeometry(toPixels(control.twips));
    if (control.type == ControlType::Option)
        growToText(widget);
    return widget;
}

QString unitName(Kind kind, int index) {
    const std::string_view name = units(kind)[static_cast<std::size_t>(index)].name;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// "Quantell - Length": the window's title while the kind is current.
QString titleFor(const KindLook& look) {
    return QStringLiteral("%1 - %2").arg(product::name, look.word);
}

} // namespace

MainForm::MainForm(Messenger* messenger, QWidget* parent)
    : QWidget(parent), m_messenger(messenger ? *messenger : defaultMessenger()) {
    setUpWindow(this, "MainForm",
                Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                    Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                    Qt::WindowCloseButtonHint,
                kMainFormTwips);
    setWindowTitle(titleFor(lookOf(Kind::Length)));
    setWindowIcon(resourceIcon("main"));
    const QLocale locale;
    m_decimalPoint = locale.decimalPoint().toStdString();
    m_groupSeparator = locale.groupSeparator().toStdString();
    createControls();
    fillFromCatalogue();
}

void MainForm::createControls() {
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlSpec& control : mainFormLayout()) {
        QWidget* widget = createControl(control, this);
        if (widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(control.tabIndex, widget);
    }
    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    for (const KindLook& look : kindLooks())
        bindKind(look);
    controls(Kind::Length).option->setChecked(true);
    bindCommands();
    controls(Kind::Length).option->setFocus();
}

// Finds a kind's controls by name, wires them to the kind's handlers and names them for
// screen readers.
void MainForm::bindKind(const KindLook& look) {
    const Kind kind = look.kind;
    KindControls& c = controls(kind);
    c.option = findChild<QRadioButton*>(look.option);
    for (int i = 0; i < 2; ++i) {
        c.num[i] = findChild<QLineEdit*>(controlName(look, "Num", i));
        c.unit[i] = findChild<QComboBox*>(controlName(look, "Unit", i));
        c.num[i]->installEventFilter(this);
        connect(c.unit[i], &QComboBox::activated, this, [this, kind] { onUnitChosen(kind); });
    }
    for (int i = 0; i < kUnitCount; ++i) {
        c.ans[i] = findChild<ResultLabel*>(controlName(look, "Ans", i));
        c.unitName[i] = findChild<QLabel*>(controlName(look, "UnitName", i));
        connect(c.ans[i], &ResultLabel::copyRequested, this, &MainForm::copyText);
    }
    connect(c.option, &QRadioButton::clicked, this, [this, kind] { onKindChosen(kind); });
    c.option->installEventFilter(this);
    // The option group is one Tab stop, at the selected button.
    connect(c.option, &QRadioButton::toggled, c.option, [option = c.option](bool on) {
        option->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
    });
    c.option->setFocusPolicy(Qt::ClickFocus);

    const QString kindName = QString::fromUtf8(look.japanese);
    c.num[0]->setAccessibleName(kindName + QStringLiteral("の数値"));
    c.num[1]->setAccessibleName(kindName + QStringLiteral("の補助単位の数値"));
    c.unit[0]->setAccessibleName(kindName + QStringLiteral("の単位"));
    c.unit[1]->setAccessibleName(kindName + QStringLiteral("の補助単位"));
    for (int i = 0; i < kUnitCount; ++i)
        c.ans[i]->setAccessibleName(
            QStringLiteral("%1の結果（%2）").arg(kindName, unitName(kind, i)));
}

void MainForm::bindCommands() {
    m_comChange = findChild<QPushButton*>(QStringLiteral("ComChange"));
    m_comClear = findChild<QPushButton*>(QStringLiteral("ComClear"));
    m_comText = findChild<QPushButton*>(QStringLiteral("ComText"));
    m_title = findChild<QLabel*>(QStringLiteral("TitleLabel"));
    m_report = findChild<QPlainTextEdit*>(QStringLiteral("RTBox"));
    m_report->setAccessibleName(QStringLiteral("変換結果のテキスト"));
    const std::pair<const char*, void (MainForm::*)()> commands[] = {
        {"ComChange", &MainForm::convertCurrentKind},  {"ComClear", &MainForm::clearCurrentKind},
        {"ComText", &MainForm::appendReportBlock},     {"ComTxClear", &MainForm::clearReport},
        {"ComClip", &MainForm::copyReportToClipboard}, {"ComNote", &MainForm::startEditor},
    };
    for (const auto& [name, handler] : commands)
        connect(findChild<QPushButton*>(name), &QPushButton::clicked, this, handler);
    connect(findChild<QPushButton*>(QStringLiteral("ComQuit")), &QPushButton::clicked, this,
            &QWidget::close);
    connect(findChild<QPushButton*>(QStringLiteral("ComInfo")), &QPushButton::clicked, this,
            &MainForm::aboutRequested);
}

void MainForm::fillFromCatalogue() {
    m_comText->setToolTip(QString::fromUtf8(lookOf(Kind::Length).reportTip));
    findChild<QPushButton*>(QStringLiteral("ComTxClear"))
        ->setToolTip(QStringLiteral("テキストとクリップボードを消去します"));
    for (const Kind kind : kAllKinds) {
        KindControls& c = controls(kind);
        for (int i = 0; i < kUnitCount; ++i) {
            const QString text = unitName(kind, i);
            c.unit[0]->addItem(text);
            c.unit[1]->addItem(text);
            c.unitName[i]->setText(text);
            growToText(c.unitName[i]);
        }
        for (QComboBox* list : c.unit)
            growToText(list);
        for (QLineEdit* box : c.num)
            box->setText(QStringLiteral("0"));
        c.unit[0]->setCurrentIndex(1);
        onUnitChosen(kind);
    }
    activate(Kind::Length);
}

void MainForm::activate(Kind active) {
    for (const KindLook& look : kindLooks()) {
        const bool on = look.kind == active;
        KindControls& c = controls(look.kind);
        for (int i = 0; i < 2; ++i) {
            c.num[i]->setEnabled(on);
            c.unit[i]->setEnabled(on);
        }
        for (QLabel* label : c.ans)
            setColour(label, QPalette::Window, on ? kActiveShade : kInactiveShade);
        setColour(c.option, QPalette::WindowText, on ? QColor(255, 0, 0) : QColor(0, 0, 0));
    }
}

void MainForm::onKindChosen(Kind kind) {
    const KindLook& look = lookOf(kind);
    activate(kind);
    setWindowTitle(titleFor(look));
    setColour(m_title, QPalette::WindowText, look.titleColour);
    m_comText->setToolTip(QString::fromUtf8(look.reportTip));
    focusFirstInput(kind);
}

void MainForm::onUnitChosen(Kind kind) {
    KindControls& c = controls(kind);
    const int first = c.unit[0]->currentIndex();
    const bool twoTerms = units(kind)[static_cast<std::size_t>(first)].hasCompanion;
    c.unit[1]->setCurrentIndex(secondUnitFor(kind, first));
    c.num[1]->setEnabled(twoTerms);
    c.unit[1]->setEnabled(twoTerms);
    convert(kind);
}

void MainForm::selectOnFocus(QLineEdit* box, Qt::FocusReason reason) {
    // The mouse press that gave the focus would place the cursor after a direct selection.
    if (reason == Qt::MouseFocusReason)
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
    else
        box->selectAll();
}

void MainForm::convert(Kind kind) {
    KindControls& c = controls(kind);
    const QByteArray first = c.num[0]->text().toUtf8();
    const QByteArray second = c.num[1]->text().toUtf8();
    const ConversionResult result =
        quantell::convert(kind,
                          {first.toStdString(), second.toStdString(), c.unit[0]->currentIndex(),
                           c.unit[1]->currentIndex(), c.num[1]->isEnabled()},
                          {m_decimalPoint, m_groupSeparator});
    const std::array<const std::string*, 2> texts{&result.firstText, &result.secondText};
    for (int i = 0; i < 2; ++i) {
        const QString text = QString::fromStdString(*texts[i]);
        if (c.num[i]->text() != text)
            c.num[i]->setText(text);
    }
    for (int i = 0; i < kUnitCount; ++i)
        c.ans[i]->showResult(QString::fromStdString(result.results[i]));
    if (result.outcome == Outcome::Overflow)
        m_messenger.warn(this, QStringLiteral("値が大きすぎるため変換できません。"));
}

void MainForm::convertCurrentKind() {
    if (const std::optional<Kind> kind = currentKind()) {
        convert(*kind);
        focusFirstInput(*kind);
    }
}

void MainForm::clearCurrentKind() {
    if (const std::optional<Kind> kind = currentKind()) {
        KindControls& c = controls(*kind);
        for (QLineEdit* box : c.num)
            box->clear();
        for (ResultLabel* label : c.ans)
            label->showResult(QString());
        focusFirstInput(*kind);
    }
}

void MainForm::appendReportBlock() {
    const std::optional<Kind> kind = currentKind();
    if (!kind)
        return;
    const KindControls& c = controls(*kind);
    ReportBlock block;
    for (int i = 0; i < 2; ++i) {
        block.amounts[i] = c.num[i]->text();
        block.units[i] = c.unit[i]->currentText();
    }
    for (int i = 0; i < kUnitCount; ++i) {
        block.results[i] = c.ans[i]->text();
        block.unitNames[i] = c.unitName[i]->text();
    }
    // Appending at the end keeps the cost of a block independent of the report's length.
    QTextCursor cursor(m_report->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(reportAddition(m_report->document()->isEmpty(), block));
    m_report->setTextCursor(cursor);
    m_report->ensureCursorVisible();
}

void MainForm::clearReport() {
    m_report->clear();
    copyText(QString());
}

void MainForm::copyReportToClipboard() {
    copyText(reportText());
}

void MainForm::startEditor() {
    const EditorStart start = startTextEditor();
    QStringList lookedFor = platform::textEditorsLookedFor();
    QString text;
    if (start.outcome != EditorStart::Started && !start.unstartedDefault.isEmpty()) {
        text = QStringLiteral("既定のテキストエディタ「%1」を起動できませんでした。")
                   .arg(start.unstartedDefault);
        lookedFor.removeFirst(); // the default, named already
    }
    switch (start.outcome) {
    case EditorStart::Started:
        return;
    case EditorStart::NotFound:
        text += (text.isEmpty() ? QStringLiteral("テキストエディタが見つかりませんでした")
                                : QStringLiteral("ほかのテキストエディタも見つかりませんでした")) +
                QStringLiteral("（探したもの：%1）。").arg(lookedFor.join(QStringLiteral("、")));
        break;
    case EditorStart::Failed:
        text += QStringLiteral("テキストエディタを起動できませんでした。");
        break;
    }
    m_messenger.warn(this, text);
}

void MainForm::copyText(const QString& text) {
    if (!copyToClipboard(text))
        m_messenger.warn(this, QStringLiteral("クリップボードに書き込めませんでした。"));
}

QString MainForm::reportText() const {
    return m_report->toPlainText().replace(u'\n', kLineBreak);
}

std::optional<Kind> MainForm::currentKind() const {
    for (const Kind kind : kAllKinds)
        if (m_kinds[static_cast<std::size_t>(kind)].option->isChecked())
            return kind;
    return std::nullopt;
}

void MainForm::focusFirstInput(Kind kind) {
    QLineEdit* box = controls(kind).num[0];
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void MainForm::keyPressEvent(QKeyEvent* event) {
    // Keys that the focused control did not take: Enter converts, Esc clears.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_comChange->click();
        break;
    case Qt::Key_Escape:
        m_comClear->click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    if (auto* box = qobject_cast<QLineEdit*>(watched); box && event->type() == QEvent::FocusIn)
        selectOnFocus(box, static_cast<QFocusEvent*>(event)->reason());
    if (event->type() == QEvent::KeyPress)
        return optionArrowKey(watched, static_cast<QKeyEvent*>(event)->key());
    return QWidget::eventFilter(watched, event);
}

bool MainForm::optionArrowKey(QObject* option, int key) {
    // An arrow key in the option group selects the next kind round the group, as a click on
    // it does, so the focus goes on to the kind's first input.
    const int step = key == Qt::Key_Right || key == Qt::Key_Down ? 1
                     : key == Qt::Key_Left || key == Qt::Key_Up  ? -1
                                                                 : 0;
    for (std::size_t i = 0; step != 0 && i < m_kinds.size(); ++i) {
        if (m_kinds[i].option == option) {
            const Kind next = kAllKinds[(i + kAllKinds.size() + step) % kAllKinds.size()];
            controls(next).option->setChecked(true);
            onKindChosen(next);
            return true;
        }
    }
    return false;
}

} // namespace quantell
