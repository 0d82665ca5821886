// SPDX-License-Identifier: MIT
#include "catalogue/CommandTables.h"
#include "ui/Program.h"
#include "ui/qt/ProgramEntry.h"

int main(int argc, char** argv) {
    vindel::BuildTables();
    return vindel::qt::ProgramEntry(argc, argv, vindel::CreateWindows);
}
