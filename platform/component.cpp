#include "platform/component.h"

namespace platform {

void Component::EndLoad()
{
    m_loading = false;
    Loaded();
}

void Component::Loaded()
{
    m_loading = false;
}

void EndLoadAll(std::initializer_list<Component*> components)
{
    for (Component* component : components) {
        if (component)
            component->EndLoad();
    }
}

} // namespace platform
