// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

namespace quantell {

// What screen readers get from the main window, installed once before any of it is read: the
// window is a frame; a unit list is named by its kind and term, never by its entry, which is its
// text and value in words; a result box is named by its kind, value and unit in words, and its
// full value is its text and value; the unit symbols beside the results are passed by; the
// amount boxes and the report box answer every text query; the note is a notification.
void installReaderInterfaces();

} // namespace quantell
