#include "copyjob/ApplicationPrinter.h"

#include <QPrinter>

ApplicationPrinter::ApplicationPrinter() = default;
ApplicationPrinter::~ApplicationPrinter() = default;

QPrinter &ApplicationPrinter::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}
