#include "document/errors.h"

std::string IntegerConvertMessage(const std::string &field)
{
    return "'" + field + "' nie jest poprawną wartością liczbową";
}

std::string FloatConvertMessage(const std::string &field)
{
    return "'" + field + "' nie jest poprawną wartością ";
}

std::string FileOpenMessage(const std::string &path, const std::string &reason)
{
    return "Nie można otworzyć pliku \"" + path + "\". " + reason;
}

std::string FileCreateMessage(const std::string &path, const std::string &reason)
{
    return "Nie można stworzyć pliku \"" + path + "\". " + reason;
}
