#include "copyjob/SaneScannerLayer.h"

#include <sane/sane.h>

#include <dlfcn.h>

SaneScannerLayer::SaneScannerLayer(QString libraryFile) : m_libraryFile(std::move(libraryFile)) {}

SaneScannerLayer::~SaneScannerLayer()
{
    if (m_initialised && m_exit)
        m_exit();
    if (m_handle)
        dlclose(m_handle);
}

bool SaneScannerLayer::load()
{
    if (m_initialised)
        return true;
    if (!m_handle) {
        m_handle = dlopen(m_libraryFile.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
        if (!m_handle)
            return false;
    }
    using InitFn = SANE_Status (*)(SANE_Int *, SANE_Auth_Callback);
    auto init = reinterpret_cast<InitFn>(dlsym(m_handle, "sane_init"));
    m_exit = reinterpret_cast<void (*)()>(dlsym(m_handle, "sane_exit"));
    if (!init || !m_exit)
        return false;
    SANE_Int code = 0;
    if (init(&code, nullptr) != SANE_STATUS_GOOD)
        return false;
    m_versionCode = code;
    m_initialised = true;
    return true;
}

int SaneScannerLayer::TWAIN_IsAvailable()
{
    return load() ? 1 : 0;
}

int SaneScannerLayer::TWAIN_AcquireToClipboard(QWidget *, int)
{
    return 0;
}

int SaneScannerLayer::TWAIN_SelectImageSource(QWidget *)
{
    return 0;
}

int SaneScannerLayer::TWAIN_EasyVersion()
{
    if (!load())
        return 0;
    return SANE_VERSION_MAJOR(m_versionCode) * 100 + SANE_VERSION_MINOR(m_versionCode);
}
