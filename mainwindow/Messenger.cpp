// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "Messenger.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace quantell {

namespace {
class MessageBoxMessenger final : public Messenger {
public:
    void warn(QWidget* parent, const QString& text) override {
        QMessageBox::warning(parent, QGuiApplication::applicationDisplayName(), text);
    }
};
} // namespace

Messenger& defaultMessenger() {
    static MessageBoxMessenger messenger;
    return messenger;
}

} // namespace quantell
