#pragma once

#include "engine/Catalogue.h"

#include <QWidget>

#include <array>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace quantell {

struct KindLook;
class Messenger;
class ResultLabel;

// The working window: four kind columns, the command row and the report box. Its state lives
// in its controls; every handler reads them and writes its results back.
class MainForm : public QWidget {
    Q_OBJECT
public:
    // Warnings go to `messenger`, by default a message box.
    explicit MainForm(Messenger* messenger = nullptr, QWidget* parent = nullptr);

    // The report box's text with CRLF line breaks.
    QString reportText() const;

signals:
    // ComInfo: whoever owns the windows shows the one about window.
    void aboutRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct KindControls {
        QRadioButton* option = nullptr;
        std::array<QLineEdit*, 2> num{};
        std::array<QComboBox*, 2> unit{};
        std::array<ResultLabel*, kUnitCount> ans{};
        std::array<QLabel*, kUnitCount> unitName{};
    };

    void createControls();
    void bindKind(const KindLook& look);
    void bindCommands();
    void fillFromCatalogue();

    void activate(Kind active);
    void onKindChosen(Kind kind);
    void onUnitChosen(Kind kind);
    void selectOnFocus(QLineEdit* box, Qt::FocusReason reason);
    void convert(Kind kind);
    void convertCurrentKind();
    void clearCurrentKind();
    void appendReportBlock();
    void clearReport();
    void copyReportToClipboard();
    void startEditor();

    std::optional<Kind> currentKind() const;
    KindControls& controls(Kind kind) { return m_kinds[static_cast<std::size_t>(kind)]; }
    void focusFirstInput(Kind kind);
    bool optionArrowKey(QObject* option, int key);
    void copyText(const QString& text);

    Messenger& m_messenger;
    std::string m_decimalPoint;
    std::string m_groupSeparator;
    std::array<KindControls, 4> m_kinds{};
    QPushButton* m_comChange = nullptr;
    QPushButton* m_comClear = nullptr;
    QPushButton* m_comText = nullptr;
    QLabel* m_title = nullptr;
    QPlainTextEdit* m_report = nullptr;
};

} // namespace quantell
