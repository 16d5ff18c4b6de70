#pragma once

#include "Services.h"

#include <QInputDialog>
#include <QMessageBox>

#include <memory>

namespace tv {

// The dialogs the desktop service shows, built but not yet shown.

// A message box in the standard look, whatever window it is opened from.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget *parent, const QString &text, const QString &caption,
                                            Services::Icon icon, QMessageBox::StandardButtons buttons);

// The one-line input box, wide enough for its whole caption.
std::unique_ptr<QInputDialog> makeInputDialog(QWidget *parent, const QString &caption, const QString &prompt,
                                              const QString &initial);

} // namespace tv
