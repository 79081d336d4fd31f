#include "MainForm.h"

#include <QPushButton>

namespace quantell {

MainForm::MainForm(Messenger*, QWidget* parent) : QWidget(parent) {
    auto* info = new QPushButton(QStringLiteral("アプリ情報"), this);
    info->setObjectName("ComInfo");
    connect(info, &QPushButton::clicked, this, &MainForm::aboutRequested);
    auto* quit = new QPushButton(QStringLiteral("終了"), this);
    quit->setObjectName("ComQuit");
    quit->move(100, 0);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    setWindowTitle("Quantell - Length");
}

} // namespace quantell
