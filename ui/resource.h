// Resource identifiers, shared by quelbind.rc and the dialog code.
#pragma once

#define IDI_APP 5

#define IDD_EDITOR 101

#define IDC_BINDINGS 1001
#define IDC_KEYS 1002
#define IDC_ADD 1003
#define IDC_SAVE 1004
#define IDC_CLOSE 1005
#define IDC_NEWNAME 1006

#define IDC_STATIC -1
