#include "copyjob/ScannerLayer.h"

int ScannerLayer::TWAIN_RegisterApp(int major, int minor, int language, int country,
                                    const QString &version, const QString &manufacturer,
                                    const QString &productFamily, const QString &productName)
{
    m_identity = {major,   minor,        language,      country,
                  version, manufacturer, productFamily, productName};
    m_registered = true;
    return 1;
}
