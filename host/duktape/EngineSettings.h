/* The host's settings of the script engine, placed into the packaged configuration. */

/* Every 262,144 bytecode instructions the engine asks the host whether the script has used up its
 * instruction budget; once it answers yes it keeps answering yes until the script has unwound. */
#define DUK_USE_INTERRUPT_COUNTER
#define DUK_USE_EXEC_TIMEOUT_CHECK(udata) ScriptBudgetExhausted(udata)
bool ScriptBudgetExhausted(void* udata);

/* Errors travel as C++ exceptions, so that host code between the engine's frames is unwound. */
#define DUK_USE_CPP_EXCEPTIONS
