// kinvora-export DIAGRAM.xml OUT.png|OUT.pdf|OUT.xml
#include "KIN_ExportTool.h"

#include <QApplication>
#include <QDir>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0))
    {
        std::cout << KIN_ExportTool::Usage() << '\n';
        return KIN_ExportTool::Success;
    }
    if (argc != 3)
    {
        std::cerr << KIN_ExportTool::Usage() << '\n';
        return KIN_ExportTool::BadArguments;
    }
    std::unique_ptr<QApplication> application;
    const auto startGui = [&]
    {
        // Runs without a display: the offscreen platform unless one is chosen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
        application = std::make_unique<QApplication>(argc, argv);
    };
    return KIN_ExportTool::Run(argv[1], argv[2], std::cerr, startGui, &std::cout);
}
