// SPDX-License-Identifier: GPL-3.0-or-later
// Debian 12's Qt TextToSpeech header includes this header of the QML
// development files only for QML_ELEMENT, which registers the class with
// QML. The program uses no QML: the macro stands for nothing, as it does
// for the compiler in Qt's own header.
#pragma once

#ifndef QML_ELEMENT
#define QML_ELEMENT
#endif
