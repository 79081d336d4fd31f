// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "MainForm.h"

#include "Accessible.h"
#include "FormLayout.h"
#include "KindColumn.h"
#include "Messenger.h"
#include "NoteLabel.h"
#include "ResultLabel.h"
#include "look/Window.h"
#include "report/ReportActions.h"
#include "report/ReportBlock.h"
#include "resources/Icons.h"
#include "resources/Product.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

#include <algorithm>

namespace quantell {

MainForm::MainForm(Messenger* messenger, QWidget* parent)
    : QWidget(parent), m_messenger(messenger ? *messenger : defaultMessenger()) {
    installReaderInterfaces();
    setUpWindow(this, "MainForm",
                Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                    Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                    Qt::WindowCloseButtonHint,
                kMainFormTwips);
    setWindowIcon(resourceIcon("main"));
    TabStops tabStops;
    createCommands(tabStops);
    createTitleAndReport(tabStops);
    m_note = new NoteLabel(this);
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        auto* column = new KindColumn(kAllKinds[i], this, m_messenger, *m_note, tabStops);
        m_columns[i] = column;
        connect(column->option(), &QRadioButton::clicked, this,
                [this, column] { onKindChosen(*column); });
        column->option()->installEventFilter(this);
        for (int unit = 0; unit < kUnitCount; ++unit)
            connect(column->results()[unit], &ResultLabel::copyRequested, this,
                    [this, column, unit] { copyResult(*column, unit); });
    }
    std::sort(tabStops.begin(), tabStops.end());
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        setTabOrder(tabStops[i - 1].second, tabStops[i].second);

    KindColumn& length = *m_columns[0];
    length.option()->setChecked(true);
    length.option()->setFocus();
    for (KindColumn* column : m_columns)
        column->fill();
    makeCurrent(length);
}

// The title and the report box.
void MainForm::createTitleAndReport(TabStops& tabStops) {
    const FormLayout& layout = formLayout();
    m_title = placed(new QLabel(this), layout.title);
    m_report = placed(new QPlainTextEdit(this), layout.report);
    m_report->setTabChangesFocus(true);
    m_report->setAccessibleName(QStringLiteral("変換結果のテキスト"));
    tabStops.emplace_back(layout.report.tabIndex, m_report);
}

// The command row, wired to its handlers.
void MainForm::createCommands(TabStops& tabStops) {
    const FormLayout& layout = formLayout();
    for (std::size_t i = 0; i < m_commands.size(); ++i) {
        const ControlSpec& row = layout.commands[i];
        m_commands[i] = placed(new QPushButton(this), row);
        m_commands[i]->setAutoDefault(true); // a focused button takes Enter itself
        tabStops.emplace_back(row.tabIndex, m_commands[i]);
    }
    command(Command::ClearReport)
        ->setToolTip(QStringLiteral("テキストとクリップボードを消去します"));
    const std::pair<Command, void (MainForm::*)()> handlers[] = {
        {Command::Convert, &MainForm::convertCurrentKind},
        {Command::ClearKind, &MainForm::clearCurrentKind},
        {Command::ShowAbout, &MainForm::aboutRequested},
        {Command::AppendReport, &MainForm::appendReportBlock},
        {Command::ClearReport, &MainForm::clearReport},
        {Command::CopyReport, &MainForm::copyReportToClipboard},
        {Command::OpenEditor, &MainForm::startEditor},
    };
    for (const auto& [which, handler] : handlers)
        connect(command(which), &QPushButton::clicked, this, handler);
    connect(command(Command::Quit), &QPushButton::clicked, this, &QWidget::close);
}

QPushButton* MainForm::command(Command command) const {
    return m_commands[static_cast<std::size_t>(command)];
}

// What the current kind sets on the window beyond its column: the title and ComText's tip.
void MainForm::makeCurrent(KindColumn& current) {
    m_current = &current;
    for (KindColumn* column : m_columns)
        column->setCurrent(column == &current);
    const KindLayout& kind = current.layout();
    setWindowTitle(QStringLiteral("%1 - %2").arg(product::name, kind.word));
    command(Command::AppendReport)
        ->setToolTip(QString::fromUtf8(kind.japanese) +
                     QStringLiteral("の変換結果をテキスト化します"));
}

void MainForm::onKindChosen(KindColumn& column) {
    makeCurrent(column);
    setColour(m_title, QPalette::WindowText, column.layout().titleColour);
    column.focusFirstInput();
}

void MainForm::convertCurrentKind() {
    const bool converted = m_current->convert();
    m_current->focusFirstInput();
    // The results are on the window already; readers hear them once, the focus staying put.
    if (converted)
        m_note->announce(m_current->spokenResults());
}

void MainForm::clearCurrentKind() {
    m_current->clear();
    m_current->focusFirstInput();
}

void MainForm::appendReportBlock() {
    // Appending at the end keeps the cost of a block independent of the report's length.
    QTextCursor cursor(m_report->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(reportAddition(m_report->document()->isEmpty(), m_current->reportBlock()));
    m_report->setTextCursor(cursor);
    m_report->ensureCursorVisible();
    noteDone(QString::fromUtf8(m_current->layout().japanese) +
                 QStringLiteral("の変換結果をテキスト化しました"),
             Command::AppendReport);
}

void MainForm::clearReport() {
    m_report->clear();
    if (copyText(QString()))
        noteDone(QStringLiteral("テキストとクリップボードを消去しました"), Command::ClearReport);
}

void MainForm::copyReportToClipboard() {
    if (copyText(reportText()))
        noteDone(QStringLiteral("テキストをクリップボードにコピーしました"), Command::CopyReport);
}

// A copied result is told with its unit, in words to readers and as its symbol on the window.
void MainForm::copyResult(const KindColumn& column, int index) {
    const QString value = column.results()[index]->text();
    if (!copyText(value))
        return;
    const QString copied = QStringLiteral("%1 の値 %2 をコピーしました");
    m_note->announce(copied.arg(column.unitWords(index), value),
                     copied.arg(column.unitSymbol(index), value), column.results()[index]);
}

void MainForm::noteDone(const QString& what, Command done) {
    m_note->announce(what, what, command(done));
}

void MainForm::startEditor() {
    if (const QString warning = editorWarning(startTextEditor()); !warning.isEmpty())
        m_messenger.warn(this, warning);
}

bool MainForm::copyText(const QString& text) {
    if (copyToClipboard(text))
        return true;
    m_messenger.warn(this, QStringLiteral("クリップボードに書き込めませんでした。"));
    return false;
}

QString MainForm::reportText() const {
    return m_report->toPlainText().replace(u'\n', kLineBreak);
}

void MainForm::keyPressEvent(QKeyEvent* event) {
    // Keys that the focused control did not take: Enter converts, Esc clears.
    if (!clickForEnterOrEsc(event, command(Command::Convert), command(Command::ClearKind)))
        QWidget::keyPressEvent(event);
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
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
    const std::size_t count = m_columns.size();
    for (std::size_t i = 0; step != 0 && i < count; ++i) {
        if (m_columns[i]->option() == option) {
            KindColumn& next = *m_columns[(i + count + step) % count];
            next.option()->setChecked(true);
            onKindChosen(next);
            return true;
        }
    }
    return false;
}

} // namespace quantell
