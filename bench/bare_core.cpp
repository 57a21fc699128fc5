// The least a Qt command-line program does: start Qt Core and end. bench/run
// measures photoalbum-make --version against it.
#include <QCoreApplication>

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    return 0;
}
