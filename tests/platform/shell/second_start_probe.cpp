// A start of the program reduced to its single-instance part: the first copy listens and prints what it
// receives ("open PATH", "raise"); any other start hands its arguments over and leaves.
// Usage: second_start_probe LOCK_FOLDER [ARGUMENT...]
#include "platform/shell/qt/second_start.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv) {
    using namespace kavrel::shell;
    if (argc < 2)
        return 64;
    const SingleInstanceGuard guard("TMinFrm", argv[1]);
    QStringList arguments;
    for (int i = 2; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!guard.acquired())
        return guard.heldByAnotherCopy() && passToRunningCopy(guard, startPaths(arguments)) ? 0 : 1;

    QCoreApplication application(argc, argv);
    SecondStartListener listener(guard, {[](const std::vector<std::string>& paths) {
                                             for (const std::string& path : paths)
                                                 std::cout << "open " << path << std::endl;
                                         },
                                         [] { std::cout << "raise" << std::endl; }});
    if (!listener.listening())
        return 2;
    listener.deliverOwn(startPaths(arguments));
    std::cout << "listening" << std::endl;
    return application.exec();
}
