#include "platform/ui/WindowRegistry.h"

#include <memory>

namespace tj::ui {

namespace {
WindowRegistry* programRegistry = nullptr;
}

WindowRegistry* WindowRegistry::program()
{
    return programRegistry;
}

void WindowRegistry::setProgram(WindowRegistry* registry)
{
    programRegistry = registry;
}

WindowRegistry::~WindowRegistry()
{
    if (programRegistry == this)
        programRegistry = nullptr;
    // Windows without a parent are the registry's to free.
    for (auto& [name, e] : entries_)
        if (e.window && !e.window->parent())
            delete e.window.data();
}

void WindowRegistry::add(const QString& name, Factory create, Lifetime lifetime)
{
    Entry& e = entries_[name];
    e.create = std::move(create);
    e.lifetime = lifetime;
}

QStringList WindowRegistry::names() const
{
    QStringList out;
    for (const auto& [name, e] : entries_)
        out << name;
    return out;
}

QDialog* WindowRegistry::window(const QString& name)
{
    const auto it = entries_.find(name);
    if (it == entries_.end() || it->second.lifetime != Lifetime::LongLived)
        return nullptr;
    if (!it->second.window)
        it->second.window = it->second.create(parent_);
    return it->second.window;
}

bool WindowRegistry::isCreated(const QString& name) const
{
    const auto it = entries_.find(name);
    return it != entries_.end() && it->second.window;
}

int WindowRegistry::open(const QString& name)
{
    const auto it = entries_.find(name);
    if (it == entries_.end())
        return -1;
    if (it->second.lifetime == Lifetime::OneUse) {
        std::unique_ptr<QDialog> dialog(it->second.create(parent_));
        return dialog->exec();
    }
    return window(name)->exec();
}

}  // namespace tj::ui
