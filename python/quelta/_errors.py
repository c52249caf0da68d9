"""The exceptions and warnings of the quelta package."""


class Error(Exception):
    """A failure of the Quelta core: a file or database that cannot be read, a setting out of
    range, a script that stopped with an error, a computation that could not be done.

    ``code`` is a short code (the code the desktop's error box shows, such as ``DOC7``, when
    the core gave one, otherwise the name of the operation that failed, such as ``open`` or
    ``setting``); ``message`` says what went wrong.
    """

    def __init__(self, code: str, message: str):
        super().__init__(code, message)
        self.code = code
        self.message = message

    def __str__(self) -> str:
        return f"{self.code}: {self.message}"


class QueltaWarning(UserWarning):
    """A notice the core gave while an operation succeeded (a value replaced by its default,
    rows of a database left out)."""
