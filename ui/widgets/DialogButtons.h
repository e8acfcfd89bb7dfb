#pragma once
// The button row the tool dialogs share: one button of their own on the left
// ("Просмотр", "Сброс", "Preview"), then "OK" (the default) and "Cancel",
// which rejects the dialog. What OK does is the dialog's affair.
#include <QString>

class QBoxLayout;
class QDialog;
class QPushButton;

struct DialogButtons {
    QPushButton* first;
    QPushButton* ok;
    QPushButton* cancel;
};

DialogButtons AddDialogButtons(QDialog* dialog, QBoxLayout* layout, const QString& firstCaption);
