#pragma once

namespace quantell {

// What screen readers get from the main window's unit lists and result boxes, installed once
// before any of them is read. A list is named by its kind and term, never by its entry, and a
// result box by its kind and unit; the entry or full value each shows is its text and value.
void installReaderInterfaces();

} // namespace quantell
