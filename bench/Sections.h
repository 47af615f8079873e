#pragma once

// The benchmark's parts, each printing its figures and baselines.
void ReceiveLoopFigures();
void ChatPaneFigures();
void ChannelBurstFigures();
void LogonFigures();
void ManyProfilesFigures();
void TalkBurstStallFigures();
void FilterMatchFigures();
void HostileServerFigures();
