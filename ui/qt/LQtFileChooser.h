#pragma once

#include "LChooserRequest.h"

#include <QStringList>

class QFileDialog;

// The filters as Qt names them: "ZEL files (*.zel)". "*.*" means every file here, as it does where
// the filter lists come from; taken literally it would hide names without a dot.
QStringList LQtNameFilters(const LFileFilters& filters);

// Sets dialog up for request: its mode, start folder, proposed name, filters, default extension and
// prompt.
void LQtSetUpFileDialog(QFileDialog& dialog, const LChooserRequest& request);

// The user's choice in an accepted dialog: the chosen paths and the 1-based filter in use.
LChooserAnswer LQtChooserAnswer(const QFileDialog& dialog, const LChooserRequest& request);
