#include "PermissionChecks.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace {

__user_cap_header_struct header()
{
    return {_LINUX_CAPABILITY_VERSION_3, 0};
}

} // namespace

PermissionChecks::PermissionChecks()
{
    __user_cap_header_struct request = header();
    if (syscall(SYS_capget, &request, m_saved) != 0)
        return;
    __user_cap_data_struct checked[_LINUX_CAPABILITY_U32S_3];
    for (int i = 0; i < _LINUX_CAPABILITY_U32S_3; ++i)
        checked[i] = m_saved[i];
    checked[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    m_changed = syscall(SYS_capset, &request, checked) == 0;
}

PermissionChecks::~PermissionChecks()
{
    __user_cap_header_struct request = header();
    if (m_changed)
        syscall(SYS_capset, &request, m_saved);
}
