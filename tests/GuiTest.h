#pragma once

#include <QString>

#include <ostream>

// Failures print texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quantell::test {

// Clicks the control of that name on whichever shown window has it, as a person does.
void click(const QString& name);

} // namespace quantell::test
