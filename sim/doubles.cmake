# The doubles: the stand-in's own code with chosen exports or files missing.

set(app_without_dbdir ${RK_DB2APP_EXPORTS})
list(FILTER app_without_dbdir EXCLUDE REGEX "^db2DbDir")
set(app_open_scan_only ${RK_DB2APP_EXPORTS})
list(FILTER app_open_scan_only EXCLUDE REGEX "^db2DbDir(GetNextEntry|CloseScan)")
set(app_without_sqledcls ${RK_DB2APP_EXPORTS})
list(FILTER app_without_sqledcls EXCLUDE REGEX "^sqledcls_api")
set(sys_without_sqlogstt ${RK_DB2SYS_EXPORTS})
list(FILTER sys_without_sqlogstt EXCLUDE REGEX "^sqlogstt")
set(cli_without_getdiagrec ${RK_DB2CLI_EXPORTS})
list(FILTER cli_without_getdiagrec EXCLUDE REGEX "^SQLGetDiagRec")

# No DB2 client at all.
file(MAKE_DIRECTORY ${RK_DOUBLES_DIR}/no-client)
rk_sim_variant(no-app SYS ${RK_DB2SYS_EXPORTS} CLI ${RK_DB2CLI_EXPORTS})
rk_sim_variant(no-sys APP ${RK_DB2APP_EXPORTS} CLI ${RK_DB2CLI_EXPORTS})
rk_sim_variant(older-app APP ${app_without_dbdir} SYS ${RK_DB2SYS_EXPORTS} CLI ${RK_DB2CLI_EXPORTS})
rk_sim_variant(app-open-scan-only APP ${app_open_scan_only} SYS ${RK_DB2SYS_EXPORTS} CLI ${RK_DB2CLI_EXPORTS})
rk_sim_variant(app-without-sqledcls APP ${app_without_sqledcls} SYS ${RK_DB2SYS_EXPORTS} CLI ${RK_DB2CLI_EXPORTS})
rk_sim_variant(sys-without-sqlogstt APP ${RK_DB2APP_EXPORTS} SYS ${sys_without_sqlogstt} CLI ${RK_DB2CLI_EXPORTS})
rk_sim_variant(cli-without-getdiagrec APP ${RK_DB2APP_EXPORTS} SYS ${RK_DB2SYS_EXPORTS} CLI ${cli_without_getdiagrec})
# No message library: the application library exports the two message entry
# points as well (IBM's 64-bit client does; the library falls back to it
# there). An older one, so that the error-text cases of older-app run on it
# unchanged.
rk_sim_variant(messages-in-app APP_WITH_SYS ${app_without_dbdir} ${RK_DB2SYS_EXPORTS} CLI ${RK_DB2CLI_EXPORTS})
