#include "recordingsurface.h"

QList<SurfaceOp> RecordingSurface::ofKind(SurfaceOp::Kind kind) const
{
    QList<SurfaceOp> out;
    for (const SurfaceOp &op : ops)
        if (op.kind == kind)
            out.append(op);
    return out;
}
