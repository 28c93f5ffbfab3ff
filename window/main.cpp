#include "form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Form1 form;
    form.Form_Load();
    if (form.hasFaulted())
        return Form1::kFaultExitStatus;
    form.show();
    return QApplication::exec();
}
