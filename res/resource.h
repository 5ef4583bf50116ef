// Resource ids of the executable, shared by the resource script and the code.
#pragma once

#define IDD_MAIN 101
#define IDI_APP 103

#define IDC_REPORT 1000
#define IDC_VERSION 1001
#define IDC_COPY 1003
