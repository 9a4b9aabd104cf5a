// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon: a friendly alarm clock showing ten past ten.
#pragma once

#include <QImage>
#include <QList>

namespace gen {

// PNG sizes of the hicolor icon theme that desktops look up.
inline const QList<int> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// Sizes of the window's own icon, written into datas as "icone-<size>": the
// program reads them there rather than searching the desktop's icon theme.
inline const QList<int> kWindowIconSizes{16, 32, 48, 64};

// The icon drawn at size × size pixels on a transparent ground. It follows the
// scalable icon packaging/io.github.klepsos.Klepsos.svg, drawn on a 256 grid.
QImage appIcon(int size);

} // namespace gen
