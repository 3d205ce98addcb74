/* The unzip library's public interface: libunzdll.so exports UnzDllExec and
 * GetUnzDllVersion, and the installer's archive component fills the
 * parameter record and answers the callback. Both sides include this one
 * header, so the records can never drift apart. */
#ifndef LWK_SETUP_UNZDLL_H
#define LWK_SETUP_UNZDLL_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Action codes of the callback record. */
enum {
  UNZ_ACTION_NEW_FILE = 1,  /* text = file name, fileSize = its size, before the file is written */
  UNZ_ACTION_PROGRESS = 2,  /* the current file grew by a block */
  UNZ_ACTION_END_BATCH = 3, /* once, after the last file */
  UNZ_ACTION_MESSAGE = 4    /* text = message, errorCode = 0 for a note, else the kind of fault */
};

/* The library's own name, as the installer loads it. */
#define UNZ_LIBRARY_NAME "libunzdll.so"
/* Interface version both sides speak. */
#define UNZ_INTERFACE_VERSION 120

typedef struct UnzCallbackRecord {
    void    *handle;       /* 0 */
    void    *caller;       /* the component, as passed in the parameter record */
    int32_t  version;      /* 120 */
    int32_t  reserved;
    int32_t  action;       /* 1 new file, 2 progress, 3 end of batch, 4 message */
    int32_t  errorCode;
    int32_t  fileSize;
    char     text[512];    /* zero-terminated file name or message */
} UnzCallbackRecord;

typedef int32_t (*UnzCallback)(UnzCallbackRecord *record); /* 1 = stop, 0 = go on */

typedef struct UnzParams {
    void       *handle;      /* window handle: 0 */
    void       *caller;      /* the component */
    int32_t     version;     /* 120 */
    UnzCallback callback;
    int32_t     verbose;     /* 1 if Verbose */
    int32_t     unused[5];   /* 0 */
    int32_t     one;         /* 1 */
    int32_t     trace;       /* 1 if Trace or Verbose */
    int32_t     update;      /* ExtrUpdate */
    int32_t     freshen;     /* ExtrFreshen and not ExtrUpdate */
    int32_t     dirNames;    /* ExtrDirNames */
    int32_t     overwrite;   /* ExtrOverWrite */
    int32_t     specCount;   /* number of file specifications */
    char       *archiveName; /* 256-byte zero-terminated buffer */
    int32_t     seven;       /* 7 */
    char      **specs;       /* specCount pointers to 256-byte zero-terminated buffers */
} UnzParams;

int32_t UnzDllExec(UnzParams *params);  /* number of files extracted */
int32_t GetUnzDllVersion(void);

/* Function types of the two entry points, for binding them by name. */
typedef int32_t (*UnzDllExecFn)(UnzParams *params);
typedef int32_t (*GetUnzDllVersionFn)(void);

#ifdef __cplusplus
}
#endif

#endif
