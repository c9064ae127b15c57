// The cost of starting a QtCore process at all, for bench-convert to set the conversions against:
// it loads QtCore, makes a string and exits.
#include <QString>

int main()
{
    const QString hello = QStringLiteral("hello");
    return hello.size() == 5 ? 0 : 1;
}
