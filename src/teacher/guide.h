// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The teacher's guide (guide-enseignant.md, installed beside the pictures'
// folder) in a window of its own over `parent`, opened once and raised
// afterwards; a message box names the file when it cannot be read.
void montrerGuide(QWidget* parent, const QString& fichier);
