// The Windows XP SP2 firewall's authorized-applications lists, in the order
// they are written.
#pragma once

#define STANDARD_PROFILE_LIST                                                                 \
    "SYSTEM\\CurrentControlSet\\Services\\SharedAccess\\Parameters\\FirewallPolicy\\"         \
    "StandardProfile\\AuthorizedApplications\\List"
#define DOMAIN_PROFILE_LIST                                                                   \
    "SYSTEM\\CurrentControlSet\\Services\\SharedAccess\\Parameters\\FirewallPolicy\\"         \
    "DomainProfile\\AuthorizedApplications\\List"
