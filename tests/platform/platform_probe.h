// Resource ids of the probe dialog and data used by platform_wine_test.
#ifndef SELVARA_PLATFORM_PROBE_H
#define SELVARA_PLATFORM_PROBE_H

#define IDD_PLATFORM_PROBE 101
#define IDC_PROBE_EDIT 1001
#define IDC_PROBE_OK 1002
#define RCDATA_PLATFORM_PROBE 201

#endif
