#include "app/Application.h"
#include "app/ProgramEntry.h"
#include "catalogue/CommandTables.h"
#include "ui/Diagram.h"
#include "ui/Telnet.h"

int main(int argc, char** argv) {
    vindel::BuildTables();
    return vindel::ProgramEntry(argc, argv, [](vindel::TApplication& application) {
        application.CreateForm(vindel::Form1);
        application.CreateForm(vindel::Form2);
    });
}
