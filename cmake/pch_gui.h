// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "pch_core.h"
#include <QtGui/QColor>
#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>
