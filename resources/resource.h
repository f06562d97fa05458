#pragma once
// Resource ids shared by the templates and the code. Plain #defines: windres reads this too.

// Dialog templates
#define IDD_ABOUT 100
#define IDD_WELCOME 102
#define IDD_SERVER_NAME 103
#define IDD_DOMAIN_NAME 104
#define IDD_TCPIP_ADDRESS 105
#define IDD_COPIER_MODEL 106
#define IDD_FORCE_PAGE 111
#define IDD_DEFAULT_PAPER 112
#define IDD_PQ_NAME 115
#define IDD_PQ_NETWORKS 116
#define IDD_PQ_NOVELL 117
#define IDD_HQ_NAME 118
#define IDD_HQ_NETWORKS 119
#define IDD_HQ_NOVELL 120
#define IDD_WORKGROUP 121
#define IDD_ZONE 122
#define IDD_SUMMARY 200
#define IDD_CLOSING 2002

// Strings
#define IDS_SHEET_CAPTION 101
#define IDS_QUIT_ON_WELCOME 102
#define IDS_QUIT 103
#define IDS_ABOUT_BUTTON 104
#define IDS_FINISH 105
// The items of the drop-down list on dialog d, in template order: strings IDS_LIST_ITEMS(d) + 0,
// + 1, ... up to the first id without a string. Each dialog has its own block of 16 ids, so
// the scheme cannot collide with the strings above (see resources/DropDownItems.h).
#define IDS_LIST_ITEMS(d) ((d)*16)

// Icon
#define IDI_APPLICATION_ICON 300

// Controls
#define IDC_STATIC (-1)
#define IDC_PAGE_ICON 400
#define IDC_NOVELL_PSERVER 1001
#define IDC_NOVELL_SERVER 1002
#define IDC_NOVELL_QUEUE 1003
#define IDC_ENABLE_DHCP 1004
#define IDC_SUBNET_MASK 1005
#define IDC_CHOICE 1010
#define IDC_TEXT 1011
#define IDC_IP_ADDRESS 1011
#define IDC_GRID_FRAME 1013
#define IDC_NET_WINDOWS_TCPIP 1101
#define IDC_NET_ETHERTALK 1102
#define IDC_NET_NOVELL 1103
#define IDC_START_EDITOR 11003
#define IDC_START_WIZARD 11004
#define IDC_SAVE 11005
