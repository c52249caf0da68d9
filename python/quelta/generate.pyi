from typing import Any, Optional, Tuple

from . import Scenario

def whiteboard(name: str = ..., *, config: Optional[str] = ...) -> Scenario: ...
def polygon(members: int = ..., radius: float = ..., *, type: Any = ...,
            config: Optional[str] = ...) -> Scenario: ...
def montecarlo(members: int, *, seed: int = ..., type: Any = ..., distribution: str = ...,
               mean: Tuple[float, float] = ..., spread: Tuple[float, float] = ...,
               draws: Optional[int] = ..., name: str = ...,
               config: Optional[str] = ...) -> Scenario: ...
