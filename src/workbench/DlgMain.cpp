#include "workbench/DlgMain.h"

#include "shell/ResourceLibrary.h"

DlgMain::DlgMain(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromStdString(
        ResourceLibrary::Instance().Translate("DlgMain", "Гель-проникающая хроматография")));
}
