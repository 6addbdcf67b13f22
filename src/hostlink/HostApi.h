/* The host application's interface as the module sees it: the table of entry points handed to
 * Load, the handler type, the argument records of the host commands and the names of the events
 * and commands. Names are 8-bit ASCII; texts passed with them are zero-terminated UTF-16.
 * This header is plain C so that hosts written in C can include it. */
#ifndef QUORVEL_HOST_API_H
#define QUORVEL_HOST_API_H

#include <stdint.h>
#include <uchar.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A handler of a host event or a registered command: one pointer-sized argument, returns 0. */
typedef int32_t (*HostHandler)(intptr_t argument);

/* The host's table of entry points, one pointer-sized slot each; slots 0 to 2 are never called. */
typedef struct HostApi {
    void* reserved0;
    void* reserved1;
    void* reserved2;
    /* Subscribes handler to the named event; returns the subscription id. */
    int32_t (*Subscribe)(const char* eventName, HostHandler handler);
    /* Drops a subscription made with Subscribe. */
    void (*Unsubscribe)(int32_t subscriptionId);
    /* Registers handler under the command name; returns the registration id. */
    int32_t (*RegisterCommand)(const char* commandName, HostHandler handler);
    /* Drops a registration made with RegisterCommand. */
    void (*UnregisterCommand)(int32_t registrationId);
    /* Runs a served command with two pointer-sized arguments; the result's meaning is the command's. */
    intptr_t (*Call)(const char* commandName, intptr_t argument1, intptr_t argument2);
    /* Non-zero when the host serves the command. */
    intptr_t (*Exists)(const char* commandName);
} HostApi;

/* A GUID in its usual in-memory layout. */
typedef struct PluginGuid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
} PluginGuid;

/* The plug-in's self-description returned by GetPluginInfo. size holds sizeof(PluginInfo); where
 * pointers are 4 bytes the record is 48 bytes with the identifier at offset 32. Texts are UTF-16. */
typedef struct PluginInfo {
    uint32_t size;
    const char16_t* name;
    uint32_t version;
    const char16_t* title;
    const char16_t* company;
    const char16_t* email;
    const char16_t* legalNotice;
    const char16_t* webAddress;
    PluginGuid id;
} PluginInfo;

/* The three exports of a plug-in, as a host looks them up. */
typedef const PluginInfo* (*GetPluginInfoFunction)(void);
typedef int32_t (*LoadFunction)(const HostApi* host);
typedef int32_t (*UnloadFunction)(void);

/* Second argument of "MainMenu/CreateNewMenu". size holds sizeof(CreateNewMenuRecord); it was 16
 * where pointers are 4 bytes. */
typedef struct CreateNewMenuRecord {
    uint32_t size;
    const char16_t* menuPath; /* menu levels split by "/" */
    uint32_t reserved; /* always 0 */
    const char* commandName; /* the command the entry runs */
} CreateNewMenuRecord;

/* First argument of "Main/OpenAssayIdDlgEx": the host writes up to capacity assay ids. */
typedef struct AssayIdList {
    int32_t* ids;
    int32_t capacity; /* 256 */
} AssayIdList;

/* Second argument of "Profile/GetString": the host writes up to capacity - 1 characters and a zero. */
typedef struct ProfileStringBuffer {
    char16_t* text;
    int32_t capacity; /* 128 */
} ProfileStringBuffer;

#define HOST_EVENT_MODULES_LOADED "System/ModulesLoaded"
#define HOST_CMD_GET_LANGUAGE "System/GetLanguage"
#define HOST_CMD_CREATE_NEW_MENU "MainMenu/CreateNewMenu"
#define HOST_CMD_GET_CONNECTION_URI "DB/GetConnectionUri"
#define HOST_CMD_OPEN_ASSAY_ID_DLG "Main/OpenAssayIdDlgEx"
#define HOST_CMD_OPEN_ASSAY_FILE "Main/OpenAssayFile"
#define HOST_CMD_PROFILE_GET_INT "Profile/GetInt"
#define HOST_CMD_PROFILE_GET_DOUBLE "Profile/GetDouble"
#define HOST_CMD_PROFILE_GET_STRING "Profile/GetString"
#define HOST_CMD_PROFILE_SET_INT "Profile/SetInt"
#define HOST_CMD_PROFILE_SET_DOUBLE "Profile/SetDouble"
#define HOST_CMD_PROFILE_SET_STRING "Profile/SetString"
#define HOST_CMD_PROFILE_DEL_PARAM "Profile/DelParam"
#define QUORVEL_MENU_COMMAND "quorvel/MenuCommand"

/* Posted to the window two parent steps above the workbench when the assay set changes. */
#define HOST_MSG_ASSAYS_CHANGED 0x040B

/* Capacities fixed by the host interface. */
#define ASSAY_ID_LIST_CAPACITY 256
#define PROFILE_STRING_CAPACITY 128

#ifdef __cplusplus
}
#endif

#endif
