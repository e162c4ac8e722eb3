// Module resource contexts and the resource folder.
#include "framework/module_context.h"

#include <QDir>
#include <QFileInfo>

namespace vesk {

namespace {

ModuleContext* g_current = nullptr;
std::string g_resourceFolder;

} // namespace

ModuleContext::ModuleContext(std::string name) : m_name(std::move(name)) {}

ModuleContext& ApplicationContext()
{
    static ModuleContext context("application");
    return context;
}

ModuleContext& CurrentModuleContext() { return g_current ? *g_current : ApplicationContext(); }

ModuleContextGuard::ModuleContextGuard(ModuleContext& context) : m_previous(g_current) { g_current = &context; }

ModuleContextGuard::~ModuleContextGuard() { g_current = m_previous; }

void SetResourceFolder(const std::string& folder) { g_resourceFolder = folder; }

std::string GetResourceFolder() { return g_resourceFolder; }

std::string ResolveResourcePath(const std::string& path)
{
    QString p = QString::fromStdString(path);
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QFileInfo(p).isAbsolute() || g_resourceFolder.empty())
        return p.toStdString();
    return QDir(QString::fromStdString(g_resourceFolder)).filePath(p).toStdString();
}

} // namespace vesk
