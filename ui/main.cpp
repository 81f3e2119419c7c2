#include "ui/uTavrel.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
    QApplication Application(argc, argv);
    Application.setWindowIcon(QIcon(QStringLiteral(":/tavrel-64.png")));
    TForm2 Form2(QCoreApplication::applicationFilePath());
    Form2.show();
    return Application.exec();
}
