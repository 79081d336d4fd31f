// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>

namespace quantell {

// The licences of the program and of what it runs on, offline: Quantell's own (MIT), those of
// its Qt (LGPL-3.0 and GPL-3.0) and, where the program brings its own Qt, the third-party
// notices beside it; with Qt's own about box. Esc, Enter and 「閉じる」 close it.
class Licences : public QDialog {
    Q_OBJECT
public:
    explicit Licences(QWidget* parent);
};

} // namespace quantell
