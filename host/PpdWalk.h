#pragma once
// Every option of a printer description in file order, through its groups and subgroups,
// so that lookups made on the way do not disturb the walk (ppdFirstOption would).

// The libcups PPD interface is deprecated in CUPS 2.4 but is what printer options
// are described in.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <cups/ppd.h>

namespace host {

template <class F>
void forEachPpdOption(ppd_file_t* ppd, F&& visit)
{
    if (!ppd) return;
    for (int g = 0; g < ppd->num_groups; ++g) {
        ppd_group_t& group = ppd->groups[g];
        for (int o = 0; o < group.num_options; ++o) visit(&group.options[o]);
        for (int s = 0; s < group.num_subgroups; ++s) {
            ppd_group_t& subgroup = group.subgroups[s];
            for (int o = 0; o < subgroup.num_options; ++o) visit(&subgroup.options[o]);
        }
    }
}

} // namespace host
#pragma GCC diagnostic pop
