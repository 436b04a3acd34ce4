// Never compiled: the include check runs over this folder as if it were the
// engine and must find each of the eight toolkit includes below, and none of
// the QtCore ones.
#pragma once

#include <QtWidgets/QWidget>
#include "QtGui/qcolor.h"
#include <qt6/QtWidgets/QWidget>
#include </usr/include/x86_64-linux-gnu/qt6/QtGui/QImage>
#include <QtPrintSupport>
#  include <QtPrintSupport/QPrinter>
#include <qt6/QtGui>
#include "../qt6/QtWidgets/private/qwidget_p.h"

#include <QtCore/QString>
#include <qt6/QtCore/QObject>
#include "core/QtGuiFree.h"
#include <QtCore>
