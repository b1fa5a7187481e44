// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Outcome.h"

#include <QStringList>

#include <functional>

class PageStack;

// The names the pages of a stack are saved under as bitmaps: the name typed
// for the first, then "-2", "-3"... before its extension, if it has one
// ("a.bmp", "a-2.bmp"; "a", "a-2"). A dot in a folder's name is no extension.
QStringList NumberedNames(const QString &typed, int count);

enum class StackFormat { Bitmaps, Pdf };

// Asks the user a yes-or-no question; true for yes.
using Confirm = std::function<bool(const QString &question)>;

// Saves the stack under the name typed in the save dialog. One page as a
// bitmap is exactly the single copy's file, asked about nothing. Several
// bitmaps go to NumberedNames, each file whole or as it was; a PDF is one
// file of every page at its true size, named as typed with ".pdf" added when
// no extension was typed. Before anything existing is replaced, `confirm`
// is asked once, naming what exists; no (or no `confirm` at all) is a success
// with no message and nothing written. The save dialog itself asks nothing
// (CommonDialog::ShowSave turns its own question off), so nothing is asked twice.
Outcome SaveStack(const PageStack &stack, const QString &typed, StackFormat format,
                  const Confirm &confirm);
