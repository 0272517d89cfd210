#pragma once
// Components with a loading state: a window creates its components, applies
// their stored property values while they are loading, then ends the load,
// which runs each component's load-completion step (Loaded) in creation order.
#include <initializer_list>

namespace platform {

class Component {
public:
    virtual ~Component() = default;

    bool IsLoading() const { return m_loading; }
    void BeginLoad() { m_loading = true; }
    // Clears the loading state and runs Loaded().
    void EndLoad();

protected:
    Component() = default;
    // Load-completion step; overrides call the base first.
    virtual void Loaded();

private:
    bool m_loading = false;
};

// Ends the load of each component in the order given.
void EndLoadAll(std::initializer_list<Component*> components);

} // namespace platform
