// kinvora-export DIAGRAM.xml|TREE.ged OUT.png|OUT.pdf|OUT.svg|OUT.xml [options]
#include "KIN_ExportTool.h"

#include <QApplication>

#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0))
    {
        std::cout << KIN_ExportTool::Usage() << '\n';
        return KIN_ExportTool::Success;
    }
    KIN_ExportTool::Options options;
    if (!KIN_ExportTool::Parse(std::vector<std::string>(argv + 1, argv + argc), options))
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
    return KIN_ExportTool::Run(options, std::cerr, startGui, &std::cout);
}
